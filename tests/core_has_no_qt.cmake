# The core (toolkit, bank, engine, ui, driver) and the synthesiser (sound)
# are plain C++: no Qt header is included there, and the core library links
# nothing of Qt.
file(GLOB_RECURSE sources "${SRC}/toolkit/*" "${SRC}/bank/*" "${SRC}/engine/*" "${SRC}/ui/*" "${SRC}/driver/*"
     "${SRC}/sound/*")
foreach(f IN LISTS sources)
  file(STRINGS "${f}" hits REGEX "#include <Q|#include \"Q|Q_OBJECT")
  if(hits)
    message(FATAL_ERROR "Qt in the core: ${f}: ${hits}")
  endif()
endforeach()
if(LIBS MATCHES "Qt")
  message(FATAL_ERROR "the core library links ${LIBS}")
endif()
