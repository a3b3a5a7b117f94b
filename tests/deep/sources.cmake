set(ZOQUEL_DEEP_TESTS
  deep/deep_image_test.cpp
  deep/deep_view_test.cpp
  deep/deep_zoom_test.cpp
)
