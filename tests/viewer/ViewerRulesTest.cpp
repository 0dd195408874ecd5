#include "KushuFile.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;
