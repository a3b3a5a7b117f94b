set(ZOQUEL_DIALOG_SOURCES
  dialog_buttons.cpp
  type_dialog.cpp
)
