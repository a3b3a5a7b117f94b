set(ZOQUEL_MODEL_SOURCES
  model/type_table.cpp
  model/settings.cpp
  model/palettes.cpp
  model/julia_cycle.cpp
  model/canvas.cpp
)
