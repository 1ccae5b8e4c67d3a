# Save-all against a full disk and a folder that vanishes half-way.
velmora_add_test(tst_exportfaults SOURCES tst_exportfaults.cpp LIBS velmora_test_window)
