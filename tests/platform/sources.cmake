set(ZOQUEL_PLATFORM_TESTS
  platform/surface_test.cpp
)
