set(ZOQUEL_DEEP_SOURCES
  deep/deep_image.cpp
  deep/deep_view_math.cpp
  deep/reference_orbit.cpp
)
