# Save-all against a full disk and a folder that vanishes half-way.
velmora_add_test(tst_exportfaults SOURCES tst_exportfaults.cpp LIBS velmora_test_window)
# One case runs the command line as an ordinary user.
target_compile_definitions(tst_exportfaults PRIVATE VELMORA_EXE="$<TARGET_FILE:velmora>")
add_dependencies(tst_exportfaults velmora)
