#include "model/parkvocabulary.h"

#include <gtest/gtest.h>

using namespace vendrix::model;

TEST(ParkVocabulary, GivesTheWordsOfEveryCode) {
    const std::vector<std::pair<ParkAttribute, std::vector<std::string_view>>> tables{
        {ParkAttribute::Type, {"Dome", "OutDoor", "Both"}},
        {ParkAttribute::Surface, {"Grass", "Turf"}},
        {ParkAttribute::FoulGround, {"Large", "Normal", "Small"}},
        {ParkAttribute::WindSpeed, {"Super Strong", "Very Strong", "Strong", "Moderate", "Light", "None"}},
        {ParkAttribute::AvgTemp, {"Super Hot", "Very Hot", "Hot", "Warm", "Comfortable", "Cold"}},
        {ParkAttribute::TempChange, {"High", "Normal", "Low", "None"}},
        {ParkAttribute::RainFreq, {"Frequent", "Normal", "Rare", "Never"}},
    };
    for (const auto& [attribute, words] : tables) {
        for (std::size_t code = 0; code < words.size(); ++code)
            EXPECT_EQ(wordFor(attribute, static_cast<std::uint8_t>(code)), words[code]);
        EXPECT_EQ(wordFor(attribute, static_cast<std::uint8_t>(words.size())), "Unknown");
        EXPECT_EQ(wordFor(attribute, 255), "Unknown");
    }
}

TEST(ParkVocabulary, TimeZonesStartAtOne) {
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 0), "Unknown");
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 1), "Eastern");
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 2), "Central");
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 3), "Mountain");
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 4), "Pacific");
    EXPECT_EQ(wordFor(ParkAttribute::TimeZone, 5), "Unknown");
}
