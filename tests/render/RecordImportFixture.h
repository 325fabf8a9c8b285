#pragma once
// What the bitmap and picture import tests share: a record filled with bytes no import
// writes, so any stray change shows, and a folder for the files they read.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "ImageSet.h"
#include "TestFiles.h"

namespace zozavud::test {

class RecordImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        std::memset(record_.get(), 0x5A, sizeof(ImageRecord));
        for (int32_t& color : record_->BitmapData) color = 0x123456;
    }
    QString Save(const QImage& image, const QString& name) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }
    QString SaveBytes(const QByteArray& bytes, const QString& name) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }
    int32_t Layer(int x, int y) const { return record_->BitmapData[LayerIndex(x, y)]; }

    QTemporaryDir dir_;
    std::unique_ptr<ImageRecord> record_ = std::make_unique<ImageRecord>();
    QString error_;
};

}  // namespace zozavud::test
