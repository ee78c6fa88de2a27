# The Debian package, built by CPack from an install of this tree: `make package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VOK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VOK_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "disk and memory gauges with screens to find what fills them")
# CPack puts the summary first and indents these lines itself.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vok shows in one small window how full the chosen drive and the memory are,"
  "as two pie gauges over a one-line read-out. From its menus it opens the"
  "screens behind the figures: a directory's files by size, a search over a"
  "whole tree listing the largest files first, a tree of directories with their"
  "own files' megabytes, all disks, the running windows, the process tree with"
  "the files each process has mapped, and the version information of a file."
  "Files are only ever sent to the trash, never deleted outright.")
# The libraries it links give the rest; Qt loads its display plug-ins at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
# Qt's own dialog texts (Yes, No) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
