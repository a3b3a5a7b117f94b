set(ZOQUEL_FORMULA_TESTS
  formulas/escape_time_test.cpp
  formulas/mandelbrot_test.cpp
  formulas/quadratic_row_kernel_test.cpp
  formulas/newton_variations_test.cpp
  formulas/curiosities_test.cpp
)
