// Outlines for the kit's tests, built in MERVIK11 from their text form.  Every
// test checks that the kit left the library's count of caller-owned host
// strings where it found it: the kit leaks no host string.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "HostOutline.h"
#include "MervikApi.h"

class KitFixture : public ::testing::Test {
protected:
    void SetUp() override { m_liveStrings = MervikLiveStringCount(); }
    void TearDown() override {
        EXPECT_EQ(m_liveStrings, MervikLiveStringCount()) << "host strings leaked";
        if (m_outline != 0)
            HostCloseOutline(m_outline);
    }

    // Loads the outline text; the test fails when the library refuses it.
    HOUTLINE Load(const char* text) {
        int line = 0;
        char message[256] = {};
        m_outline = MervikLoadOutlineText(text, &line, message, sizeof message);
        EXPECT_NE(0u, m_outline) << "line " << line << ": " << message;
        return m_outline;
    }
    HITEM Find(const char* name) {
        HITEM item = MervikFindItemByName(m_outline, name);
        EXPECT_NE(0u, item) << name;
        return item;
    }
    std::string Saved() {
        int length = MervikSaveOutlineText(m_outline, nullptr, 0);
        std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
        MervikSaveOutlineText(m_outline, &text[0], int(text.size()));
        text.resize(size_t(length > 0 ? length : 0));
        return text;
    }

    HOUTLINE m_outline = 0;
    DWORD m_liveStrings = 0;
};
