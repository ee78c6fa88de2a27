# Parsing Qt's headers is most of a compile: the libraries, the program and the bench share one
# precompiled header of the Qt and standard headers their code includes most (the tests have
# theirs, tests/CMakeLists.txt). A precompiled header serves only compiles with its own flags, so
# it is built in each build tree with that tree's flags; -Winvalid-pch says when one goes unused.
add_library(vok_product_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
# A macro defined here must be defined alike wherever the header is used: Qt's widgets are the
# least that every user links.
target_link_libraries(vok_product_pch PRIVATE Qt6::Widgets)
set(VOK_PRODUCT_PCH
    <algorithm> <functional> <memory> <optional> <vector>
    <QApplication> <QByteArray> <QDialog> <QDir> <QHash> <QKeyEvent> <QLabel> <QList>
    <QPainter> <QPushButton> <QString> <QStringList> <QTimer> <QTreeWidget> <QWidget>)
target_precompile_headers(vok_product_pch PRIVATE ${VOK_PRODUCT_PCH})

function(vok_use_product_pch)
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM vok_product_pch)
    endif()
  endforeach()
endfunction()
