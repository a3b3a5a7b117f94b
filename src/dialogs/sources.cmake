set(ZOQUEL_DIALOG_SOURCES
  dialog_buttons.cpp
  dialog_messages.cpp
  dialog_text.cpp
  type_dialog.cpp
  parameter_dialog.cpp
  coloring_dialogs.cpp
)
