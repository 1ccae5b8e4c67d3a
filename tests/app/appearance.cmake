# Appearance suites: the pointer rules and hand pointer, the skin.
velmora_add_test(tst_pointerrules SOURCES tst_pointerrules.cpp LIBS velmora_window)
target_compile_definitions(tst_pointerrules PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
velmora_add_test(tst_skin SOURCES tst_skin.cpp LIBS velmora_window)
target_compile_definitions(tst_skin PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
