set(ZOQUEL_FORMULA_SOURCES
  formulas/mandelbrot.cpp
)
