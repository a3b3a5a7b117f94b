set(ZOQUEL_FORMULA_SOURCES
  formulas/collatz.cpp
  formulas/lyapunov.cpp
  formulas/mandelbrot.cpp
  formulas/quadratic_row_kernel.cpp
)
