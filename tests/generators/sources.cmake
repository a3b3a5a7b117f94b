set(ZOQUEL_GENERATOR_TESTS
  generators/chaos_test.cpp
  generators/jmiim_test.cpp
  generators/attractor_test.cpp
  generators/oscillator_test.cpp
)
