set(ZOQUEL_FILES_TESTS
  files/targa_test.cpp
)
