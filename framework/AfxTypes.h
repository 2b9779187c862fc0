// Types shared by the framework's collections.
#pragma once

// An opaque place in a collection, valid until the collection changes there.
struct __POSITION {};
typedef __POSITION* POSITION;

// Collections report a place that does not exist as BEFORE_START_POSITION
// when iteration has not begun.
#define BEFORE_START_POSITION ((POSITION)-1L)
