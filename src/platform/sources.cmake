set(ZOQUEL_PLATFORM_SOURCES
  platform/surface.cpp
  platform/host.cpp
  platform/random.cpp
)
