set(ZOQUEL_FORMULA_SOURCES
  formulas/mandelbrot.cpp
  formulas/newton.cpp
  formulas/complex_maps_1.cpp
  formulas/complex_maps_2.cpp
  formulas/quadratic_row_kernel.cpp
)
