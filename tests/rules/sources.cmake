set(ZOQUEL_RULES_TESTS
  rules/option_commands_test.cpp
  rules/newton_options_test.cpp
  rules/vl_lyapunov_forms_test.cpp
  rules/parameter_layout_test.cpp
  rules/view_zoom_test.cpp
)
