set(ZOQUEL_FORMULA_TESTS
  formulas/mandelbrot_test.cpp
  formulas/quadratic_row_kernel_test.cpp
  formulas/newton_variations_test.cpp
)
