# Read by cpack as it runs. Without dpkg-shlibdeps CPack would leave the libraries out
# of Depends with no more than a note, and the package would install and not start.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(NUMERANDIA_SHLIBDEPS dpkg-shlibdeps)
  if(NOT NUMERANDIA_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing: install the package dpkg-dev")
  endif()
endif()
