#include "surface.h"

#include <algorithm>
#include <cstdint>

bool SurfaceOp::covers(const SurfaceOp& o) const {
    // In 64 bits: far corners of operations near the int range must not wrap.
    auto end = [](int start, int extent) { return std::int64_t{start} + extent; };
    return x <= o.x && y <= o.y && end(x, width) >= end(o.x, o.width) &&
           end(y, height) >= end(o.y, o.height);
}

void Surface::add(SurfaceOp op) {
    std::erase_if(ops_, [&](const SurfaceOp& old) { return op.covers(old); });
    ops_.push_back(std::move(op));
    ++revision_;
}

void Surface::text(int x, int y, const std::string& text, Colour colour) {
    SurfaceOp op;
    op.x = x;
    op.y = y;
    op.width = static_cast<int>(text.size()) * SurfaceCharWidth;
    op.height = SurfaceCharHeight;
    op.text = text;
    op.colour = colour;
    add(std::move(op));
}

void Surface::blankRow(int x0, int x1, int y) {
    // Spaces written one pixel apart leave one run of background behind.
    SurfaceOp op;
    op.x = x0;
    op.y = y;
    op.width = x1 - x0 + SurfaceCharWidth;
    op.height = SurfaceCharHeight;
    op.text.assign(1, ' ');
    add(std::move(op));
}

void Surface::bitmap(int x, int y, int w, int h, const std::string& name,
                     const std::filesystem::path& path) {
    SurfaceOp op;
    op.kind = SurfaceOp::Kind::Bitmap;
    op.x = x;
    op.y = y;
    op.width = w;
    op.height = h;
    op.bitmapName = name;
    op.bitmapPath = path;
    add(std::move(op));
}

const SurfaceOp* Surface::topAt(int x, int y) const {
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        if (x >= it->x && std::int64_t{x} - it->x < it->width && y >= it->y &&
            std::int64_t{y} - it->y < it->height) {
            return &*it;
        }
    }
    return nullptr;
}

std::optional<std::pair<char, Colour>> Surface::charAt(int x, int y) const {
    const SurfaceOp* op = topAt(x, y);
    if (!op || op->kind != SurfaceOp::Kind::Text) {
        return std::nullopt;
    }
    size_t index = static_cast<size_t>((x - op->x) / SurfaceCharWidth);
    char c = index < op->text.size() ? op->text[index] : ' ';
    return std::pair{c, op->colour};
}
