set(ZOQUEL_GENERATOR_SOURCES
  generators/attractor.cpp
  generators/chaos.cpp
  generators/jmiim.cpp
  generators/oscillator.cpp
)
