set(ZOQUEL_FORMULA_TESTS
  formulas/mandelbrot_test.cpp
)
