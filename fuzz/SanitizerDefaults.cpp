// AddressSanitizer settings every fuzz target starts with; ASAN_OPTIONS can still change them.
//
// A freed block stays in quarantine, unused, so that a later access to it is caught. The
// default quarantine holds 256 MB; a fuzz target frees its few kilobytes for every input, so
// within seconds that whole quarantine is filled, and the process sits at about 500 MB and
// keeps touching memory it has not touched before. One input frees far less than the 32 MB
// kept here: a use after free within an input, or from one input into the next, is still
// caught.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=32";
}
