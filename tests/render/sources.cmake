set(ZOQUEL_RENDER_TESTS
  render/type_table_test.cpp
  render/palettes_test.cpp
  render/coloring_test.cpp
  render/driver_test.cpp
  render/row_pipeline_test.cpp
  render/option_commands_test.cpp
)
