// Compiled by the boundary tests with one target's include path; includes the header named by
// ORVANE_PROBE_HEADER, which that target must not see.
#include ORVANE_PROBE_HEADER
