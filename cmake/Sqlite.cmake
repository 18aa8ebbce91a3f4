# SQLite for the ledger store behind the accounting-library stand-in.
# Defines the target gk_sqlite.
#   By default, on every platform: the amalgamation, fetched once into the
#   build tree by scripts/fetch-sqlite and compiled into the programs as a
#   static library with the same options everywhere, so that the Windows
#   programs and the native tests and benchmarks run the same SQLite. Compiled
#   in, it also reads rows markedly faster than the shared library does. It is
#   never part of the repository; a second configure finds it already there
#   and fetches nothing.
#   GK_BUNDLED_SQLITE=OFF (native only): Debian's library (libsqlite3-dev),
#   which the sanitizer build uses, so the stand-in is also tested on it.
if(TARGET gk_sqlite)
  return()
endif()

option(GK_BUNDLED_SQLITE "Compile the SQLite amalgamation into the programs (always so on Windows)" ON)

if(NOT WIN32 AND NOT GK_BUNDLED_SQLITE)
  find_package(SQLite3 REQUIRED)
  add_library(gk_sqlite INTERFACE)
  target_link_libraries(gk_sqlite INTERFACE SQLite::SQLite3)
  return()
endif()

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
  SQLITE_THREADSAFE=1 SQLITE_DQS=0 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DEFAULT_MEMSTATUS=0)
target_compile_options(gk_sqlite PRIVATE -w)
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(gk_sqlite PUBLIC Threads::Threads)
endif()
