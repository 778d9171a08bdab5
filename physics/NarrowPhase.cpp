// The exact collision tests between circles and oriented boxes, in the x-y plane.
//
// Contents:
//   1. Helpers: vector maths, the least-penetration axis, the incident face, clipping, the
//      support point
//   2. CircleCircle
//   3. CircleBox and BoxCircle
//   4. BoxBox
#include <cmath>
#include "physics/Manifold.h"
#include "physics/ShapeFrame.h"

namespace Framework
{
namespace
{
// ---- 1. Helpers -------------------------------------------------------------
float Dot(const Vec2& a, const Vec2& b) { return a.x * b.x + a.y * b.y; }
Vec2 XY(const Vec3& v) { return {v.x, v.y}; }
Vec3 ToVec3(const Vec2& v) { return {v.x, v.y, 0.0f}; }

// Normalised when long enough to divide by.
Vec2 NormalisedOrSame(const Vec2& v)
{
    const float length = std::sqrt(Dot(v, v));
    return length > PhysicsEpsilon ? v / length : v;
}

// Four floats worked on at once. Each lane goes through the same IEEE
// operations, one at a time and in the same order, as the scalar code it
// stands for, so the results are the same to the bit.
typedef float Lanes __attribute__((vector_size(16)));
Lanes Splat(float value) { return Lanes{value, value, value, value}; }

// The four faces of two four-cornered boxes side by side: what the loop of
// FindAxisLeastPenetration computes, face by face, for every face at once.
float FindAxisLeastPenetration4(const ShapeFrame& a, const ShapeFrame& b, uint32_t& face)
{
    const Vec3* normals = a.mNormals;
    const Vec3* corners = a.mCorners;
    const Lanes normalX{normals[0].x, normals[1].x, normals[2].x, normals[3].x};
    const Lanes normalY{normals[0].y, normals[1].y, normals[2].y, normals[3].y};
    const Lanes cornerX{corners[0].x, corners[1].x, corners[2].x, corners[3].x};
    const Lanes cornerY{corners[0].y, corners[1].y, corners[2].y, corners[3].y};
    // n = b.Unrotate(a.Rotate(normal))
    const Lanes worldX = Splat(a.mM00) * normalX + Splat(a.mM01) * normalY;
    const Lanes worldY = Splat(a.mM10) * normalX + Splat(a.mM11) * normalY;
    const Lanes nX = Splat(b.mM00) * worldX + Splat(b.mM10) * worldY;
    const Lanes nY = Splat(b.mM01) * worldX + Splat(b.mM11) * worldY;
    // support = b.GetSupport(-n): the first of b's corners furthest along -n
    const Lanes dirX = -nX;
    const Lanes dirY = -nY;
    Lanes bestProjection = Splat(-LargestFloat);
    Lanes supportX = Splat(0.0f);
    Lanes supportY = Splat(0.0f);
    for (uint32_t k = 0; k < 4; ++k)
    {
        const Lanes x = Splat(b.mCorners[k].x);
        const Lanes y = Splat(b.mCorners[k].y);
        const Lanes projection = x * dirX + y * dirY;
        const auto further = projection > bestProjection;
        bestProjection = further ? projection : bestProjection;
        supportX = further ? x : supportX;
        supportY = further ? y : supportY;
    }
    // v = b.Unrotate(a.Rotate(corner) + a.mCentre - b.mCentre)
    const Lanes turnedX = Splat(a.mM00) * cornerX + Splat(a.mM01) * cornerY;
    const Lanes turnedY = Splat(a.mM10) * cornerX + Splat(a.mM11) * cornerY;
    const Lanes placedX = turnedX + Splat(a.mCentre.x) - Splat(b.mCentre.x);
    const Lanes placedY = turnedY + Splat(a.mCentre.y) - Splat(b.mCentre.y);
    const Lanes vX = Splat(b.mM00) * placedX + Splat(b.mM10) * placedY;
    const Lanes vY = Splat(b.mM01) * placedX + Splat(b.mM11) * placedY;
    const Lanes d = nX * (supportX - vX) + nY * (supportY - vY);

    float best = -LargestFloat;
    face = 0;
    for (uint32_t i = 0; i < 4; ++i)
    {
        if (d[i] > best)
        {
            best = d[i];
            face = i;
        }
    }
    return best;
}

// Face of a whose normal, seen from b, separates the two boxes most.
float FindAxisLeastPenetration(const ShapeFrame& a, const ShapeFrame& b, uint32_t& face)
{
    if (a.mCornerCount == 4 && b.mCornerCount == 4)
        return FindAxisLeastPenetration4(a, b, face);
    float best = -LargestFloat;
    face = 0;
    for (uint32_t i = 0; i < a.mCornerCount; ++i)
    {
        const Vec2 n = b.Unrotate(a.Rotate(XY(a.mNormals[i])));
        const Vec2 support = b.GetSupport(-n);
        const Vec2 v = b.Unrotate(a.Rotate(XY(a.mCorners[i])) + a.mCentre - b.mCentre);
        const float d = Dot(n, support - v);
        if (d > best)
        {
            best = d;
            face = i;
        }
    }
    return best;
}

// The edge of inc that faces the reference face most, in world coordinates.
void FindIncidentFace(Vec2 edge[2], const ShapeFrame& ref, const ShapeFrame& inc, uint32_t face)
{
    const Vec2 n = inc.Unrotate(ref.Rotate(XY(ref.mNormals[face])));
    float smallest = LargestFloat;
    uint32_t incident = 0;
    for (uint32_t i = 0; i < inc.mCornerCount; ++i)
    {
        const float d = Dot(n, XY(inc.mNormals[i]));
        if (d < smallest)
        {
            smallest = d;
            incident = i;
        }
    }
    const uint32_t next = incident + 1 >= inc.mCornerCount ? 0 : incident + 1;
    edge[0] = inc.Rotate(XY(inc.mCorners[incident])) + inc.mCentre;
    edge[1] = inc.Rotate(XY(inc.mCorners[next])) + inc.mCentre;
}

// Keeps the part of the edge behind the plane dot(n, p) = c; returns the points kept.
int Clip(const Vec2& n, float c, Vec2 edge[2])
{
    Vec2 kept[2] = {edge[0], edge[1]};
    int count = 0;
    const float d0 = Dot(n, edge[0]) - c;
    const float d1 = Dot(n, edge[1]) - c;
    if (d0 <= 0.0f)
        kept[count++] = edge[0];
    if (d1 <= 0.0f)
        kept[count++] = edge[1];
    if (d0 * d1 < 0.0f && count < 2)
        kept[count++] = edge[0] + (d0 / (d0 - d1)) * (edge[1] - edge[0]);
    edge[0] = kept[0];
    edge[1] = kept[1];
    return count;
}
} // namespace

Vec2 ShapeFrame::GetSupport(const Vec2& dir) const
{
    float best = -LargestFloat;
    Vec2 support(0.0f);
    for (uint32_t i = 0; i < mCornerCount; ++i)
    {
        const float projection = Dot(XY(mCorners[i]), dir);
        if (projection > best)
        {
            best = projection;
            support = XY(mCorners[i]);
        }
    }
    return support;
}

// ---- 2. CircleCircle --------------------------------------------------------
void CircleCircle(Manifold& m, const ShapeFrame& a, const ShapeFrame& b)
{
    const Vec2 d = b.mCentre - a.mCentre;
    const float r = a.mRadius + b.mRadius;
    if (Dot(d, d) >= r * r)
    {
        m.mContactCount = 0;
        return;
    }
    m.mContactCount = 1;
    const float distance = std::sqrt(Dot(d, d));
    if (distance == 0.0f)
    {
        m.mPenetration = a.mRadius;
        m.mNormal = Vec3(1.0f, 0.0f, 0.0f);
        m.mContacts[0] = ToVec3(a.mCentre);
        return;
    }
    m.mPenetration = r - distance;
    const Vec2 normal = distance > PhysicsEpsilon ? d / distance : d;
    m.mNormal = ToVec3(normal);
    m.mContacts[0] = ToVec3(a.mCentre + a.mRadius * normal);
}

// ---- 3. CircleBox and BoxCircle ---------------------------------------------
void CircleBox(Manifold& m, const ShapeFrame& circle, const ShapeFrame& box)
{
    m.mContactCount = 0;
    const Vec2 c = box.Unrotate(circle.mCentre - box.mCentre);
    const float radius = circle.mRadius;

    float separation = -LargestFloat;
    uint32_t face = 0;
    for (uint32_t i = 0; i < box.mCornerCount; ++i)
    {
        const float s = Dot(XY(box.mNormals[i]), c - XY(box.mCorners[i]));
        if (s > radius)
            return;
        if (s > separation)
        {
            separation = s;
            face = i;
        }
    }
    if (box.mCornerCount == 0)
        return;

    const Vec2 e0 = XY(box.mCorners[face]);
    const Vec2 e1 = XY(box.mCorners[face + 1 >= box.mCornerCount ? 0 : face + 1]);
    const Vec2 faceNormal = XY(box.mNormals[face]);

    if (separation < PhysicsEpsilon)
    {
        // The centre is inside the box: push out through the nearest face.
        m.mContactCount = 1;
        const Vec2 normal = -box.Rotate(faceNormal);
        m.mNormal = ToVec3(normal);
        m.mContacts[0] = ToVec3(normal * radius + circle.mCentre);
        m.mPenetration = radius;
        return;
    }

    m.mPenetration = radius - separation;
    const float dot1 = Dot(c - e0, e1 - e0);
    const float dot2 = Dot(c - e1, e0 - e1);
    if (dot1 <= 0.0f)
    {
        if (Dot(c - e0, c - e0) > radius * radius)
            return;
        m.mContactCount = 1;
        m.mNormal = ToVec3(NormalisedOrSame(box.Rotate(e0 - c)));
        m.mContacts[0] = ToVec3(box.Rotate(e0) + box.mCentre);
    }
    else if (dot2 <= 0.0f)
    {
        if (Dot(c - e1, c - e1) > radius * radius)
            return;
        m.mContactCount = 1;
        m.mNormal = ToVec3(NormalisedOrSame(box.Rotate(e1 - c)));
        m.mContacts[0] = ToVec3(box.Rotate(e1) + box.mCentre);
    }
    else
    {
        if (Dot(c - e0, faceNormal) > radius)
            return;
        m.mContactCount = 1;
        const Vec2 normal = -box.Rotate(faceNormal);
        m.mNormal = ToVec3(normal);
        m.mContacts[0] = ToVec3(normal * radius + circle.mCentre);
    }
}

void BoxCircle(Manifold& m, const ShapeFrame& box, const ShapeFrame& circle)
{
    CircleBox(m, circle, box);
    m.mNormal = -m.mNormal;
}

// ---- 4. BoxBox --------------------------------------------------------------
void BoxBox(Manifold& m, const ShapeFrame& a, const ShapeFrame& b)
{
    m.mContactCount = 0;
    uint32_t faceA = 0;
    const float penetrationA = FindAxisLeastPenetration(a, b, faceA);
    if (penetrationA >= 0.0f)
        return;
    uint32_t faceB = 0;
    const float penetrationB = FindAxisLeastPenetration(b, a, faceB);
    if (penetrationB >= 0.0f)
        return;

    // Prefer A as the reference box unless B is clearly shallower, so the
    // choice does not flicker between equal depths.
    const bool flip = !(penetrationA >= penetrationB * 0.95f + penetrationA * 0.01f);
    const ShapeFrame& ref = flip ? b : a;
    const ShapeFrame& inc = flip ? a : b;
    const uint32_t face = flip ? faceB : faceA;
    if (ref.mCornerCount == 0 || inc.mCornerCount == 0)
        return;

    Vec2 edge[2];
    FindIncidentFace(edge, ref, inc, face);

    const uint32_t next = face + 1 >= ref.mCornerCount ? 0 : face + 1;
    const Vec2 e0 = ref.Rotate(XY(ref.mCorners[face])) + ref.mCentre;
    const Vec2 e1 = ref.Rotate(XY(ref.mCorners[next])) + ref.mCentre;
    const Vec2 side = NormalisedOrSame(e1 - e0);
    const Vec2 refNormal(side.y, -side.x);
    const float refC = Dot(refNormal, e0);
    const float negSide = -Dot(side, e0);
    const float posSide = Dot(side, e1);

    if (Clip(-side, negSide, edge) < 2)
        return;
    if (Clip(side, posSide, edge) < 2)
        return;

    m.mNormal = ToVec3(flip ? -refNormal : refNormal);

    uint32_t count = 0;
    const float s0 = Dot(refNormal, edge[0]) - refC;
    if (s0 <= 0.0f)
    {
        m.mContacts[0] = ToVec3(edge[0]);
        m.mPenetration = -s0;
        count = 1;
    }
    else
    {
        m.mPenetration = 0.0f;
    }
    const float s1 = Dot(refNormal, edge[1]) - refC;
    if (s1 <= 0.0f)
    {
        m.mContacts[count] = ToVec3(edge[1]);
        m.mPenetration += -s1;
        ++count;
        m.mPenetration /= static_cast<float>(count);
    }
    m.mContactCount = count;
}
} // namespace Framework
