#include "presentation/GroupKey.h"

#include "model/CharacterClasses.h"
#include "store/CanonicalNames.h"

QString groupKey(const QString& name)
{
    return CharacterClasses::trimmedBlanksShared(CharacterClasses::lowerCased(cleanedPluginName(name)));
}
