// Blu-ray folders: waits for the test disc authored with the bdnav writer.
#include <gtest/gtest.h>
