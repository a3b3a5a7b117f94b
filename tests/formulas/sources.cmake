set(ZOQUEL_FORMULA_TESTS
  formulas/escape_time_test.cpp
  formulas/mandelbrot_test.cpp
  formulas/newton_test.cpp
  formulas/complex_maps_1_test.cpp
  formulas/complex_maps_2_test.cpp
  formulas/quadratic_row_kernel_test.cpp
)
