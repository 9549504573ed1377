#pragma once

namespace quorlin {

// While one is alive, every read of a store file on this thread comes from one version of the file: it
// is looked at (one stat) and parsed at most once, at the first read. An operation that reads many
// values in one event holds one, so that its figures agree with each other and it pays for one look at
// the file instead of one per value. This process's own writes are seen at once; nothing outlives the
// snapshot.
class StoreReadSnapshot {
 public:
  StoreReadSnapshot();
  ~StoreReadSnapshot();
  StoreReadSnapshot(const StoreReadSnapshot&) = delete;
  StoreReadSnapshot& operator=(const StoreReadSnapshot&) = delete;
};

}  // namespace quorlin
