// AddressSanitizer settings every fuzz target starts with; ASAN_OPTIONS can still change them.
//
// A freed block stays in quarantine, unused, so that a later access to it is caught. The
// default quarantine holds 256 MB; a fuzz target frees its few kilobytes for every input, so
// within seconds that whole quarantine is filled, and the process sits at about 500 MB and
// keeps touching memory it has not touched before. One input frees far less than the 32 MB
// kept here: a use after free within an input, or from one input into the next, is still
// caught.
//
// Only the first two frames of each allocation and free are recorded. The toolkit's library is
// built without frame pointers, so the quick stack walk the sanitizer does at every allocation
// reads stale words off the stack once it passes a toolkit frame: the same input gives a
// different "stack" each time, and the sanitizer keeps every one of them, for good. A million
// inputs took the spreadsheet target from 113 MB to 244 MB that way (759 MB after seven million),
// while the same inputs run without the sanitizer stay at 11 MB. The first two frames (the
// allocation and the function that asked for it) are read reliably, keep the store at a few
// hundred stacks, and are what a leak report needs to be made at all. For the whole stacks of a
// saved input, run it again with ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0,
// which walks the stack properly (too slow to fuzz with: a tenth of the speed).
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=32:malloc_context_size=2";
}
