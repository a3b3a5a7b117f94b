# One QtTest executable per dialog test file: zoquel_add_dialog_test(NAME file.cpp)
