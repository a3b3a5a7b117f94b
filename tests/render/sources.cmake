set(ZOQUEL_RENDER_TESTS
  render/coloring_test.cpp
  render/driver_test.cpp
  render/row_pipeline_test.cpp
  render/ordered_rows_test.cpp
  render/prepared_image_test.cpp
  render/whole_image_steps_test.cpp
)
