// The followers' common base (its signals); the followers themselves are in
// UdisksFollower.cpp and MountInfoFollower.cpp.
#include "mounts/MountFollower.h"
