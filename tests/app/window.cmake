# The window as a whole: its layout, start-up and the way its handlers meet.
velmora_add_test(tst_form1 SOURCES tst_form1.cpp LIBS velmora_window)
velmora_add_test(tst_main SOURCES tst_main.cpp LIBS velmora_window)
velmora_add_test(tst_picturebox SOURCES tst_picturebox.cpp LIBS velmora_window)
velmora_add_test(tst_picturedecoder SOURCES tst_picturedecoder.cpp LIBS velmora_window)
target_compile_definitions(tst_picturedecoder PRIVATE VELMORA_ICONS="${CMAKE_SOURCE_DIR}/app/icons")
