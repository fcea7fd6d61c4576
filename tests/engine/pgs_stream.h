#pragma once
// PGS subtitle streams built byte by byte for the forced-caption tests:
// segments with their 13-byte headers, and display sets whose composition
// starts an epoch or not, marks its object forced or not.

#include <string>

namespace test::pgs {

enum SegmentType : unsigned char { kPalette = 0x14, kObject = 0x15, kComposition = 0x16, kWindow = 0x17, kEnd = 0x80 };

// "PG", the presentation time (90 kHz), a zero decoding time, the type,
// the big-endian size and the payload.
std::string Segment(SegmentType type, const std::string& payload, unsigned pts = 0);

// A presentation composition: epoch start (state 0x80) or normal (0x00),
// with one object whose forced flag is set or not.
std::string Composition(bool epochStart, bool forced, unsigned pts = 0);
// An epoch start that shows no object: its payload ends before byte 14.
std::string EmptyEpochStart(unsigned pts = 0);

// Composition, window, palette, object and end segments of one caption.
std::string DisplaySet(bool epochStart, bool forced, unsigned pts = 0);
// A normal composition that shows nothing, ending the caption before it.
std::string ClearingSet(unsigned pts);

}  // namespace test::pgs
