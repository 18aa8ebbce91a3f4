# SQLite for the ledger store behind the accounting-library stand-in.
# Defines the target gk_sqlite.
#   Native: Debian's library (libsqlite3-dev).
#   Windows: the amalgamation, fetched once into the build tree by
#   scripts/fetch-sqlite and compiled as a static library. It is never part of
#   the repository; a second configure finds it already there and fetches
#   nothing.
if(TARGET gk_sqlite)
  return()
endif()

if(NOT WIN32)
  find_package(SQLite3 REQUIRED)
  add_library(gk_sqlite INTERFACE)
  target_link_libraries(gk_sqlite INTERFACE SQLite::SQLite3)
else()
  set(GK_SQLITE_DIR ${CMAKE_BINARY_DIR}/_deps/sqlite CACHE PATH "Folder of sqlite3.c and sqlite3.h")
  if(NOT EXISTS ${GK_SQLITE_DIR}/sqlite3.c OR NOT EXISTS ${GK_SQLITE_DIR}/sqlite3.h)
    message(STATUS "Fetching the SQLite amalgamation into ${GK_SQLITE_DIR}")
    execute_process(
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-sqlite ${GK_SQLITE_DIR}
      RESULT_VARIABLE gk_sqlite_rc)
    if(NOT gk_sqlite_rc EQUAL 0)
      message(FATAL_ERROR "Could not fetch the SQLite amalgamation (scripts/fetch-sqlite)")
    endif()
  endif()
  add_library(gk_sqlite STATIC ${GK_SQLITE_DIR}/sqlite3.c)
  target_include_directories(gk_sqlite SYSTEM PUBLIC ${GK_SQLITE_DIR})
  target_compile_definitions(gk_sqlite PRIVATE
    SQLITE_THREADSAFE=1 SQLITE_DQS=0 SQLITE_OMIT_LOAD_EXTENSION)
  target_compile_options(gk_sqlite PRIVATE -w)
endif()
