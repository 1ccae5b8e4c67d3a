# Foundation suites: number rules, settings store, error report.
velmora_add_test(tst_numbertext SOURCES tst_numbertext.cpp LIBS velmora_base)
velmora_add_test(tst_settingsstore SOURCES tst_settingsstore.cpp LIBS velmora_window)
velmora_add_test(tst_errorreport SOURCES tst_errorreport.cpp LIBS velmora_window)
