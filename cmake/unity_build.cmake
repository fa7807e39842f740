# Unity builds: the files of each target are compiled in batches of eight, one
# compile unit per batch. Most of a small file's compile time is spent on what
# it shares with its neighbours (headers, the templates they instantiate), so
# a batch costs little more than one file: a third to a half of the CPU time of
# a whole build. A file's own names must then stay apart from those of the files
# it is batched with. The fuzz build compiles every file alone, which keeps the
# libraries complete on their own includes.
option(ORV_UNITY "Compile the files of each target in batches" ON)
if(ORV_UNITY AND NOT ORV_FUZZ)
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()
