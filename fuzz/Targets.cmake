# The fuzz targets, each with the lowest layer that holds the reader it feeds. The clang fuzz
# build (fuzz/CMakeLists.txt) and the corpus replay of the tests (tests/CMakeLists.txt) both
# build from this list; each target has its corpus in fuzz/corpus/<target>/.
set(ORVELLES_FUZZ_TARGETS
    fuzz_wmf:orvelles_platform
    fuzz_questionfile:orvelles_formats
    fuzz_catalogue:orvelles_formats
    fuzz_gift:orvelles_formats
    fuzz_aiken:orvelles_formats
    fuzz_moodlexml:orvelles_formats)
