# The Debian package of everything the install rules put in place, made by
# scripts/package (cpack -G DEB in the release build).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kyvadlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kyvadlo")
set(CPACK_PACKAGE_CONTACT "${KYVADLO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Read by cpack: the package's file times are the build's date, and the
# programs lose the .comment section that stripping leaves.
set(CPACK_KYVADLO_SOURCE_DATE_EPOCH ${KYVADLO_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackSourceDate.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackStripComment.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KYVADLO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries themselves; the fonts are only asked
# for by name (fontconfig maps "Arial" and "Times New Roman" to them), and
# libqt6gui6, which the binaries link, carries the X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of a physical pendulum for physics lessons")
# CPack indents these lines below the summary and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kyvadlo (Czech for pendulum) shows how a physical (compound) pendulum swings.
The user types the distance from the pivot to the centre of mass, the moment
of inertia about the pivot and the start angle; the program integrates the
equation of motion in steps of 0.01 s, animates the swinging body and plots
the angle against time, one coloured line per run, on a chart that can be
zoomed and scrolled with the mouse. The command kyvadlo-run makes the same
runs without the window and writes their points, a summary of each run and
the chart as a picture.

The window's texts are Czech; the desktop's menu lists the program as
Fyzické kyvadlo.")

include(CPack)
