#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <string>

// Names a parameterised case after its `label`, with every character a test name may not hold
// turned into an underscore.
struct LabelName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const
    {
        QString name = QString::fromLatin1(info.param.label);
        for (QChar& c : name)
            if (!c.isLetterOrNumber())
                c = u'_';
        return name.toStdString();
    }
};
