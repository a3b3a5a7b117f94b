set(ZOQUEL_FORMULA_TESTS
  formulas/collatz_test.cpp
  formulas/escape_time_test.cpp
  formulas/lyapunov_test.cpp
  formulas/mandelbrot_test.cpp
  formulas/quadratic_row_kernel_test.cpp
)
