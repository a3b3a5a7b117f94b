set(ZOQUEL_FORMULA_SOURCES
  formulas/mandelbrot.cpp
  formulas/quadratic_row_kernel.cpp
)
