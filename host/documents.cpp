#include "host/documents.h"

#include "host/pdf_document.h"
#include "host/project_file.h"
#include "host/project_writer.h"

namespace plxhost {

int32_t Documents::openProject(const std::string& path, std::string* error) {
    std::unique_ptr<Project> p =
        isPdfPath(path) ? readPdfDocument(path, error) : readProjectFile(path, error);
    if (!p) return -1;
    return addProject(std::move(p));
}

int32_t Documents::addProject(std::unique_ptr<Project> project) {
    project->projRef = nextProjRef_++;
    for (auto& l : project->layouts) {
        l->docRef = nextDocRef_++;
        l->view.docRef = l->docRef;
        order_.push_back(l->docRef);
    }
    int k = project->currentLayout;
    if (k >= 0 && k < static_cast<int>(project->layouts.size())) front_ = project->layouts[k]->docRef;
    projects_.push_back(std::move(project));
    return projects_.back()->projRef;
}

void Documents::closeAll() {
    projects_.clear();
    order_.clear();
    front_ = -1;
}

Project* Documents::project(int32_t projRef) const {
    for (const auto& p : projects_)
        if (p->projRef == projRef) return p.get();
    return nullptr;
}

Project* Documents::projectOfLayout(int32_t docRef) const {
    for (const auto& p : projects_)
        for (const auto& l : p->layouts)
            if (l->docRef == docRef) return p.get();
    return nullptr;
}

Layout* Documents::layout(int32_t docRef) const {
    for (const auto& p : projects_)
        for (const auto& l : p->layouts)
            if (l->docRef == docRef) return l.get();
    return nullptr;
}

Layout* Documents::findLayout(const std::string& name) const {
    for (const auto& p : projects_)
        for (const auto& l : p->layouts)
            if (l->name == name) return l.get();
    return nullptr;
}

Layout* Documents::front() const { return front_ < 0 ? nullptr : layout(front_); }

bool Documents::bringToFront(int32_t docRef) {
    if (!layout(docRef)) return false;
    front_ = docRef;
    return true;
}

int16_t Documents::frontDocNum() const {
    for (size_t i = 0; i < order_.size(); ++i)
        if (order_[i] == front_) return static_cast<int16_t>(i);
    return -1;
}

int32_t Documents::docRefOfNum(int16_t docNum) const {
    if (docNum < 0 || static_cast<size_t>(docNum) >= order_.size()) return -1;
    return order_[static_cast<size_t>(docNum)];
}

Box* Documents::findBox(boxid box, Layout** layout) const {
    if (!box) return nullptr;
    for (const auto& p : projects_)
        for (const auto& l : p->layouts)
            for (Box& b : l->boxes)
                if (reinterpret_cast<boxid>(&b) == box) {
                    if (layout) *layout = l.get();
                    return &b;
                }
    return nullptr;
}

Layout* Documents::findView(DocViewRef view) const {
    if (!view) return nullptr;
    for (const auto& p : projects_)
        for (const auto& l : p->layouts)
            if (&l->view == view) return l.get();
    return nullptr;
}

bool Documents::isSlugHolder(XTSlugHolderRef holder) const {
    if (!holder) return false;
    for (const auto& p : projects_)
        for (const auto& l : p->layouts) {
            if (&l->slugs == holder) return true;
            for (const auto& entry : l->boxSlugs)
                if (&entry.second.own == holder || &entry.second.text == holder) return true;
        }
    return false;
}

Box* Documents::currentBox() const {
    Layout* l = front();
    return l ? l->selectedBox : nullptr;
}

bool Documents::selectBox(int32_t docRef, int boxId) {
    Layout* l = layout(docRef);
    if (!l) return false;
    if (boxId == 0) {
        l->selectedBox = nullptr;
        return true;
    }
    for (Box& b : l->boxes)
        if (b.id == boxId) {
            l->selectedBox = &b;
            return true;
        }
    return false;
}

void Documents::markChanged(int32_t docRef) {
    if (Project* p = projectOfLayout(docRef)) p->changed = true;
}

} // namespace plxhost

namespace plxhost {

bool Documents::saveProject(int32_t projRef, std::string* error) {
    Project* p = project(projRef);
    if (!p) {
        if (error) *error = "no such project";
        return false;
    }
    if (p->fromPdf) {
        // The project's file is the PDF itself: a project text must never
        // replace it.
        if (error) *error = p->path + " is a PDF document and is not written back";
        return false;
    }
    if (!writeProjectFile(*p, front_, error)) return false;
    p->changed = false;
    return true;
}

} // namespace plxhost
