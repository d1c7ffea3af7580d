#include "errors.h"

FileOpenError::FileOpenError(const std::string& name)
    : RuntimeError("ファイル " + name + " は開けません") {}

FileCreateError::FileCreateError(const std::string& name)
    : RuntimeError("ファイル " + name + " を作成できません") {}

ListIndexError::ListIndexError(long index)
    : RuntimeError("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")") {}

NotIntegerError::NotIntegerError(const std::string& text)
    : RuntimeError("'" + text + "' は整数ではありません") {}

SetTooLargeError::SetTooLargeError(const std::string& name, long questions)
    : RuntimeError("問題集 " + name + " には " + std::to_string(questions) +
                   " 問あります。１つの問題集は32問までです。この問題集は読み込めません。") {}
