#pragma once

namespace testsupport {

// What a helper program that a kill test starts does to itself, set up
// first thing in its main() from its environment; the program itself never
// reads these:
//
//   DRILLBOOK_HELPER_KILL_AT=N      the helper kills itself (SIGKILL) just
//                                   before its N-th write or sync of a
//                                   database file, so that a kill lands
//                                   between any two steps of a store
//   DRILLBOOK_HELPER_JOURNAL_OFF=1  every connection runs without a journal;
//                                   for proving that the kill tests notice
//                                   a store that no journal protects
//
// The kill tests set the first (see KilledRun.h); the second is set by hand
// around a test run.
void armHelperFaults();

// Writes and syncs of database files made so far by this process.
long long databaseWrites();

} // namespace testsupport
