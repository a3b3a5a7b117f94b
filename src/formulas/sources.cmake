set(ZOQUEL_FORMULA_SOURCES
  formulas/mandelbrot.cpp
  formulas/quadratic_row_kernel.cpp
  formulas/newton_variations.cpp
  formulas/newton_variations_table.cpp
  formulas/curiosities.cpp
)
