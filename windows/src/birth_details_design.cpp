// The three birth-details designs.
#include "windows/birth_details_design.h"

namespace orbis {

const BirthDetailsDesign& DesignOf(ReadingKind kind)
{
    static const BirthDetailsDesign rising{
        ReadingKind::RisingSign,
        ReadingSlot::RisingSignDetails,
        QStringLiteral("frmRisingSignMain"),
        QStringLiteral("Orbis Zodiac Rising Sign"),
        QStringLiteral("Find My Zodiac &Rising Sign"),
        QStringLiteral("Enter the correct details to know more about how the world sees you"),
        QStringLiteral("Orbis Zodiac Rising Sign calculates your rising sign or ascendant based "
                       "on Western astrology concepts. The rising sign describes your outer "
                       "personality."),
        5655,
        QColor(66, 174, 193),
        QColor(255, 224, 192),
        QColor(103, 10, 35),
        QColor(128, 64, 0),
        QColor(64, 0, 0),
        QColor(64, 0, 0),
        QColor(255, 224, 192),
        false,
        true,
    };
    static const BirthDetailsDesign midheaven{
        ReadingKind::Midheaven,
        ReadingSlot::MidheavenDetails,
        QStringLiteral("frmMidheavenAsrologyMain"),
        QStringLiteral("Orbis Midheaven Astrology"),
        QStringLiteral("Find My &Midheaven Astrology Sign"),
        QStringLiteral("Enter the Correct Details and Know More about Yourself "),
        QStringLiteral("Orbis Midheaven Astrology calculates your midheaven sign based on Western "
                       "Astrology concepts. The Midheaven represents the life's goal of a person, "
                       "his standing in society and reputation"),
        5430,
        QColor(170, 185, 225),
        QColor(170, 185, 225),
        QColor(170, 185, 225),
        QColor(64, 0, 0),
        QColor(0, 0, 255),
        QColor(64, 0, 0),
        QColor(192, 192, 192),
        true,
        false,
    };
    static const BirthDetailsDesign descendant{
        ReadingKind::Descendant,
        ReadingSlot::DescendantDetails,
        QStringLiteral("frmDescendantAstrologyMain"),
        QStringLiteral("Orbis Descendant Astrology"),
        QStringLiteral("Find My &Descendant Astrology Sign"),
        QStringLiteral("Enter the Correct Details and Know More."),
        QStringLiteral("Orbis Descendant Astrology calculates your descendant sign based on "
                       "Western Astrology concepts. The Descendent represents the kind of "
                       "connections you make with people. It describes your infatuations and the "
                       "kind of life partner you are looking for. "),
        5655,
        QColor(128, 232, 133),
        QColor(128, 232, 133),
        QColor(103, 10, 35),
        QColor(128, 64, 0),
        QColor(255, 0, 255),
        QColor(0, 0, 255),
        QColor(255, 224, 192),
        false,
        false,
    };
    switch (kind) {
    case ReadingKind::Midheaven:
        return midheaven;
    case ReadingKind::Descendant:
        return descendant;
    case ReadingKind::RisingSign:
        break;
    }
    return rising;
}

} // namespace orbis
