# Read by cpack before it makes the package: the files in the package are
# dated at the build's date (packaging/SourceDate.cmake), unless the
# environment gives SOURCE_DATE_EPOCH itself.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_KYVADLO_SOURCE_DATE_EPOCH}")
endif()
