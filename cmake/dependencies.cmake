# The static libraries that scripts/bootstrap-deps.sh cross-built from Debian's sources.
set(_deps ${SEALWICK_DEPS_PREFIX})

function(_sealwick_import name file)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "Missing ${file}: run scripts/bootstrap-deps.sh (use 'make').")
  endif()
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${file}
                        INTERFACE_INCLUDE_DIRECTORIES ${_deps}/include)
endfunction()

find_library(MINGW_ZLIB NAMES libz.a z REQUIRED)
_sealwick_import(dep_jpeg ${_deps}/lib/libjpeg.a)
_sealwick_import(dep_sqlite ${_deps}/lib/libsqlite3.a)
_sealwick_import(dep_qpdf ${_deps}/lib/libqpdf.a)
# qpdf's native crypto uses the Windows CryptoAPI.
set_property(TARGET dep_qpdf PROPERTY INTERFACE_LINK_LIBRARIES dep_jpeg ${MINGW_ZLIB} advapi32)
