set(ZOQUEL_MODEL_TESTS
  model/type_table_test.cpp
  model/palettes_test.cpp
  model/canvas_test.cpp
  model/named_settings_test.cpp
  model/number_text_test.cpp
  model/view_history_test.cpp
)
