set(ZOQUEL_DEEP_TESTS
  deep/deep_image_test.cpp
)
