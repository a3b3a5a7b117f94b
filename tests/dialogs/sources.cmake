# One QtTest executable per dialog test file: zoquel_add_dialog_test(NAME file.cpp)
zoquel_add_dialog_test(type_dialog_test type_dialog_test.cpp)
zoquel_add_dialog_test(parameter_dialog_test parameter_dialog_test.cpp)
zoquel_add_dialog_test(coloring_dialogs_test coloring_dialogs_test.cpp)
